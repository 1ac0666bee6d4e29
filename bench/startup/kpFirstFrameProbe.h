#pragma once

#include <functional>

class QQuickWidget;

// Start-up measurement: once the event loop runs, waits for the first frame that the shown
// QQuickWidget renders, then prints "first-frame <peak resident KiB>" and quits the program.
// Started with --settled, it waits two seconds more instead and prints "settled <resident KiB>",
// once the given check says that everything the program makes after its first frame is made.
namespace kpFirstFrameProbe {

void install(std::function<bool(QQuickWidget *)> pAllMade = {});

} // namespace kpFirstFrameProbe
