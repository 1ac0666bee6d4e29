#pragma once

// Start-up measurement: once the event loop runs, waits for the first frame that the shown
// QQuickWidget renders, then prints "first-frame <peak resident KiB>" and quits the program.
namespace kpFirstFrameProbe {

void install();

} // namespace kpFirstFrameProbe
