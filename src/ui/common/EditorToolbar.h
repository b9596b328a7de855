#pragma once

#include <QIcon>
#include <QList>
#include <QString>

#include <functional>

class QAction;
class QPainter;

// Toolbar helpers of the box editors: buttons are found by their key (the
// action's data), icons are small drawn pictures.

QAction* ActionWithKey(const QList<QAction*>& actions, const QString& key);

// A transparent square icon of `size` pixels painted by `paint` (antialiased).
QIcon PaintedIcon(int size, const std::function<void(QPainter&)>& paint);
