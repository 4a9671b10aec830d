#pragma once
// The data every window relies on once the session is connected: the custom field labels, the company
// record and the one asset set behind the main window; and the prompts the start of a session decides on.

class TAssetManager;

// Loads the twelve custom field labels, then the company record, then creates the asset manager. Run once
// after the first successful connection.
void InitApplication();
// Frees the asset manager; the session itself is closed by the main window's close path.
void FreeApplication();

// The asset set behind the main window; only valid between InitApplication and FreeApplication.
TAssetManager &AssetManager();
bool HasAssetManager();

// Whether the company dialog opens by itself after login: the operator holds right 10000 and the company
// name is shorter than four Chinese characters (8 bytes in GBK).
bool NeedsCompanyPrompt();
// Settings key 1: whether the daily tip shows after login.
bool DailyTipWanted();
// Settings key 0: whether the feedback form shows on exit.
bool FeedbackWanted();
