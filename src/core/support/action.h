#pragma once
// Every menu command, button and event handler runs through RunAction, so no exception crosses the
// event loop: the silent abort ends the action quietly, any other error goes to the error handler.

#include <exception>
#include <functional>

using TErrorHandler = std::function<void(const std::exception &error)>;

// The plain error box: caption "错误", the error's message, one button.
void ShowErrorBox(const std::exception &error);
// Installs the application's error handler (the default one is ShowErrorBox).
void SetErrorHandler(TErrorHandler handler);
// Hands an error to the installed handler.
void HandleError(const std::exception &error);
// Runs a user action; returns false when it ended with an error or an abort.
bool RunAction(const std::function<void()> &action);
