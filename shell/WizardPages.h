// The registry of the wizard's pages: the one place that knows every page class.
#pragma once

// Creates the thirteen pages in their fixed order and adds each to the main window.
void RegisterPages();
