// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks the Qt the program runs on what it can do here, so that a test is
// skipped only for what this system really lacks:
//   qtprobe        the platform Qt came up on, and how light the window
//                  colour of its palette is (0 to 1), as "wayland 0.94"
//   qtprobe KIND   the keys of the plugins of KIND (platforms,
//                  platforminputcontexts...) that Qt finds, one a line
// Qt's environment (QT_QPA_PLATFORM, QT_QPA_PLATFORMTHEME...) applies.
#include <QtCore/QDir>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QPluginLoader>
#include <QtGui/QColor>
#include <QtGui/QGuiApplication>
#include <QtGui/QPalette>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc > 1) {
        const QCoreApplication app(argc, argv);
        const QStringList paths = QCoreApplication::libraryPaths();
        for (const QString &path : paths) {
            const QDir kind(path + QLatin1Char('/') + QString::fromLocal8Bit(argv[1]));
            const QStringList files = kind.entryList(QDir::Files);
            for (const QString &file : files) {
                const QJsonObject meta = QPluginLoader(kind.filePath(file)).metaData();
                const QJsonArray keys = meta.value(QLatin1String("MetaData")).toObject().value(QLatin1String("Keys")).toArray();
                for (const auto &key : keys)
                    std::printf("%s\n", qPrintable(key.toString()));
            }
        }
        return 0;
    }
    const QGuiApplication app(argc, argv);
    std::printf("%s %.2f\n", qPrintable(QGuiApplication::platformName()),
                QGuiApplication::palette().color(QPalette::Window).lightnessF());
    return 0;
}
