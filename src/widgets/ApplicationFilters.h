#pragma once
// The application-wide event filters every window relies on: the wheel guard
// (the wheel changes only a focused control), the keyboard's focus frame and
// the screen fit; and how a reader reads combo boxes. Installed once, where a program or a test run starts, after
// the QApplication exists; installing again does nothing.

void InstallApplicationFilters();
