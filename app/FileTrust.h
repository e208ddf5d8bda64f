#pragma once
// The Check of the Overview page: the findings and the audio checksum taken off the
// user-interface thread, the list shown, and the checksum embedded or the loudness measured and
// written, each through the window's save.

#include <functional>

class CRiffChunkModel;
class QWidget;

// save: the window's save of the tree over the loaded file, which then shows it afresh.
// bEditsPending: the window holds edits that no save has written, which the Check then says
// it does not see.
void CheckInWindow(QWidget* pParent, CRiffChunkModel& root, const std::function<void()>& save,
                   bool bEditsPending = false);
