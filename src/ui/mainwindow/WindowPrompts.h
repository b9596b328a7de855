#pragma once

#include <QString>

class Constants;
class QWidget;
struct MainWindowHooks;

// What the main window's commands ask and tell the user, and the connection
// query: through the window's hooks where they are set, else message boxes
// over the window and the system's query.
class WindowPrompts {
public:
    // `hooks` is the window's own, read at each call.
    WindowPrompts(const MainWindowHooks& hooks, const Constants& strings, QWidget* owner);

    const MainWindowHooks& Hooks() const { return mHooks; }
    QWidget* Owner() const { return mOwner; }

    bool IsOnline() const;
    bool Ask(const QString& prompt, const QString& title) const;
    // A question after good news (the hook `ask` answers it too).
    bool Offer(const QString& prompt, const QString& title) const;
    void Tell(const QString& text) const;
    // The book check found something: true for Show Problems.
    bool OfferProblems(const QString& found) const;

private:
    const MainWindowHooks& mHooks;
    const Constants& mStrings;
    QWidget* mOwner;
};
