// The body of the windows whose own commands are still to come: a caption, a line on
// what the window is for, and Close.
#pragma once

class QDialog;
class QString;

namespace vorlix::shell {

void BuildPlainWindow(QDialog& window, const QString& name, const QString& title, const QString& text);

}  // namespace vorlix::shell
