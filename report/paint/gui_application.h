#pragma once

// Drawing text needs an application object. A program without windows makes one on first need, on the
// offscreen platform where there is no display; it lives until the process ends, since tearing it down among
// the static destructors could outlive Qt's own.

namespace tervalo {

void EnsureGuiApplication();

}  // namespace tervalo
