#include "ui/mainwindow/WindowPrompts.h"

#include "base/Constants.h"
#include "online/InternetState.h"
#include "online/ServiceAddress.h"
#include "ui/mainwindow/MainWindowHooks.h"

WindowPrompts::WindowPrompts(const MainWindowHooks& hooks, const Constants& strings, QWidget* owner)
    : mHooks(hooks), mStrings(strings), mOwner(owner) {}

bool WindowPrompts::IsOnline() const {
    return mHooks.isOnline ? mHooks.isOnline() : IsInternetConnected(ServiceBaseUrl());
}

bool WindowPrompts::Ask(const QString& prompt, const QString& title) const {
    return mHooks.ask ? mHooks.ask(prompt, title)
                      : MessageBoxQuestion(mOwner, &mStrings)(prompt, title);
}

bool WindowPrompts::Offer(const QString& prompt, const QString& title) const {
    return mHooks.ask ? mHooks.ask(prompt, title)
                      : MessageBoxOffer(mOwner, &mStrings)(prompt, title);
}

bool WindowPrompts::OfferProblems(const QString& found) const {
    return mHooks.reviewProblems
               ? mHooks.reviewProblems(found)
               : MessageBoxProblems(mOwner, mStrings.Text(u"cMainFormCaption"))(found);
}

void WindowPrompts::Tell(const QString& text) const {
    if (mHooks.tell)
        mHooks.tell(text);
    else
        MessageBoxNotice(mOwner, mStrings.Text(u"cMainFormCaption"), &mStrings)(text);
}
