#pragma once
// A component drawn in one of its states: a newly built instance whose
// properties are set by the reader of window descriptions from assignments
// written as a description writes them ("FaderKind = fkVertical"), so a
// picture's state is checked like any description and needs no code.

#include "framework/ComponentRegistry.h"

#include <QImage>
#include <QString>
#include <QStringList>

class TStatePicture {
public:
    // Throws EReadError naming source and the assignment's number when an
    // assignment does not fit the class.
    static QImage Draw(const TComponentClass& cls, const QStringList& assignments, const QString& source);
};
