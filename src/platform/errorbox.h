#pragma once

#include <QString>
#include <functional>

// The program's one way of telling the user that something failed: the standard error box.

// The text the box shows for message: a period is added when the message is not empty and its last
// character sorts after ".", so a sentence that already ends in ".", "!" or ")" keeps its own end.
QString ErrorBoxText(const QString& message);

// Shows the box for message: caption "ポルポルMoxel!", the error icon and an OK button. Waits until the
// user closes it.
void ShowErrorBox(const QString& message);

// Shows message as it stands in a plain box: caption "ポルポルMoxel!" and an OK button, no icon. Goes to
// the same presenter as the error box.
void ShowMessage(const QString& message);

// Shows the error a catch block is handling: the message of an Exception or of a std::exception,
// an empty message for anything else. Call it only inside a catch block.
void ShowCurrentException();

// What ShowErrorBox hands the finished text to, so that tests can record instead of waiting for a click.
// An empty presenter stands for the real message box. Returns the presenter installed before.
using ErrorPresenter = std::function<void(const QString& text)>;
ErrorPresenter SetErrorPresenter(ErrorPresenter presenter);
