#pragma once

#include <QString>
#include <functional>

class QWidget;

// A yes/no question: true for Yes.
using AskYesNo = std::function<bool(const QString& prompt, const QString& title)>;
// A message with an OK button.
using TellUser = std::function<void(const QString& text)>;

// Message boxes owned by `owner`: the question shows a warning icon and has
// No as its default button.
AskYesNo MessageBoxQuestion(QWidget* owner);
TellUser MessageBoxNotice(QWidget* owner, const QString& title);
