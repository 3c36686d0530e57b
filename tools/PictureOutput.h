#pragma once
// What the picture generators share: one output folder as their only
// argument, and each picture saved there as NAME.png with a line that says so.

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <cstdio>

// Fills `dir` with the folder named on the command line, created if needed,
// and draws off screen unless a platform is named. Call it before the
// application object. Returns 0, or the exit code after saying what was wrong.
inline int OpenOutputFolder(int argc, char** argv, QDir& dir)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    dir = QDir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "%s: cannot create %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}

inline bool Save(const QDir& dir, const QString& name, const QImage& img)
{
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!img.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}
