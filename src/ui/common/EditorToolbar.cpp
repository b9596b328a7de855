#include "ui/common/EditorToolbar.h"

#include <QAction>

QAction* ActionWithKey(const QList<QAction*>& actions, const QString& key) {
    for (QAction* action : actions) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}
