#pragma once
// The player's instance marker is one named event for every process of the
// desktop. A player started inside a test process gets an event of its own
// (the name with this process's id added), so tests running side by side never
// take one another for the first instance; players started as programs of
// their own keep the real name.
namespace support {

// For the rest of this process.
void keepInstanceEventToThisProcess();

}  // namespace support
