#pragma once
// The window's overview text and has-bext flag set from a load's result, on the window's thread,
// before its tabs are built: the load itself writes nothing outside its tree, so loads on other
// threads (the table's, a check's) never touch what the pages share.

class CRiffChunkModel;

// The first line of the form the load found, and whether it read a bext chunk. A load that could
// not open the file leaves the text as it was and clears the flag.
void SetOverviewOfLoad(const CRiffChunkModel& root);
