#include "ui/common/EditorToolbar.h"

#include "ui/common/ProgramIcons.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolBar>
#include <QToolButton>

QAction* ActionWithKey(const QList<QAction*>& actions, const QString& key) {
    for (QAction* action : actions) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}

QAction* AddDoneButton(QToolBar* toolbar, const QString& key) {
    QAction* action = toolbar->addAction(ProgramIcon(QStringLiteral("dialog-ok")),
                                         QCoreApplication::translate("EditorToolbar", "Done"));
    action->setData(key);
    action->setObjectName(key);
    if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action)))
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return action;
}
