#pragma once

#include <QString>

class QWidget;

namespace tovan {

class HelpViewer;

// The Help menu's "Contents" command: TovanHelp.chm from the folder of the running
// executable, opened in the help viewer at its table of contents, or the message
// "Could not find file <path>." when it cannot be opened. Paths are QStrings of any
// length: nothing is cut at a fixed size.

// `executableDir` joined with "TovanHelp.chm" (one separator, whatever the folder
// ends with).
QString HelpFilePath(const QString& executableDir);

// "Could not find file " + the full path + ".".
QString MissingHelpFileMessage(const QString& helpFilePath);

// Either an open viewer (owned by the parent given, or deleted when closed if none)
// or the message to show; exactly one of the two is set.
struct HelpOpening {
  HelpViewer* viewer = nullptr;
  QString error;
};

// Shows `helpFilePath` at its table of contents. A viewer of the same file that is
// already open under `parent` is brought forward and returned to its contents page
// instead of opening a second one.
HelpOpening OpenHelpContents(const QString& helpFilePath, QWidget* parent);

// OpenHelpContents, and the error in a message box on `parent` when it fails.
void ShowHelpFile(const QString& helpFilePath, QWidget* parent);

// The whole command: ShowHelpFile on the help file beside the running executable.
void ShowHelpContents(QWidget* parent);

}  // namespace tovan
