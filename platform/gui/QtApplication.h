#pragma once
// The Qt application object of the process, made on first need and kept
// until the process ends.

void EnsureQtApplication();
