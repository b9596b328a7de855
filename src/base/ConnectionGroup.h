#pragma once

#include <QMetaObject>
#include <QObject>

#include <initializer_list>
#include <vector>

// Connections made together and dropped together, such as those to the book
// a view follows.
class ConnectionGroup {
public:
    void Clear() {
        for (const QMetaObject::Connection& connection : mConnections)
            QObject::disconnect(connection);
        mConnections.clear();
    }
    void Replace(std::initializer_list<QMetaObject::Connection> connections) {
        Clear();
        mConnections.assign(connections);
    }

private:
    std::vector<QMetaObject::Connection> mConnections;
};
