#pragma once

#include <QString>
#include <functional>

class Constants;
class QWidget;

// A yes/no question: true for Yes.
using AskYesNo = std::function<bool(const QString& prompt, const QString& title)>;
// The book check found something (`found` says what): true for Show Problems,
// false for Continue Anyway.
using OfferProblems = std::function<bool(const QString& found)>;
// A message with an OK button.
using TellUser = std::function<void(const QString& text)>;

// Message boxes owned by `owner`: the question shows a warning icon and has
// No as its default button. With `strings`, the buttons carry the language
// file's words.
AskYesNo MessageBoxQuestion(QWidget* owner, const Constants* strings = nullptr);
// A yes/no question after good news: an information icon, Yes the default.
AskYesNo MessageBoxOffer(QWidget* owner, const Constants* strings = nullptr);
// The question before an order or a PDF; Show Problems is the default and
// Escape's answer.
OfferProblems MessageBoxProblems(QWidget* owner, const QString& title);
TellUser MessageBoxNotice(QWidget* owner, const QString& title, const Constants* strings = nullptr);
