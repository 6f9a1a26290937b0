#pragma once

#include <QString>

#include <exception>

class TApplication;

namespace zarvin {

class Exception;

// The text an error box shows: the message, with a full stop added unless it
// is empty or already ends in a character at or below '.' (46).
QString errorBoxText(const QString& message);

// Shows the error in a modal box with the application's title, an error icon
// and one OK button. The silent EAbort shows nothing.
void ShowException(const Exception& error);

// The application's handler for whatever escapes an event: our exceptions
// are shown as they are, any other kind as a box without a message.
void showEscapedException(std::exception_ptr error);

} // namespace zarvin
