#include "ui/common/EditorToolbar.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>

QAction* ActionWithKey(const QList<QAction*>& actions, const QString& key) {
    for (QAction* action : actions) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}

QIcon PaintedIcon(int size, const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}
