#pragma once
// Registers the program's resources (menu and accelerators of the main
// frame, tool-bar layouts, command prompts, cursors, icon) with QlmResource.
// Idempotent; called once at start-up before the main frame is made.
void QlmRegisterResources();
