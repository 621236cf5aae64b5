// Keeps a library target valid before its first source lands.
