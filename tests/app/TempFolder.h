// A temporary program folder for a test, removed afterwards.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TempFolder {
public:
    QString path() const { return dir_.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return path() + name; }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(file(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};
