#include "framework/DataTable.h"

#include "framework/Exception.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QString QuotedIdentifier(const QString& name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

bool IsNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

} // namespace

TDataTable::TDataTable(const QSqlDatabase& database, const QString& tableName) : tableName_(tableName)
{
    if (!database.isOpen())
        throw Exception(QStringLiteral("Cannot open table '%1': the database is not open").arg(tableName));
    if (!database.tables().contains(tableName, Qt::CaseInsensitive))
        throw Exception(QStringLiteral("Table '%1' not found").arg(tableName));
    Load(database);
}

void TDataTable::Load(const QSqlDatabase& database)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM ") + QuotedIdentifier(tableName_)))
        throw Exception(QStringLiteral("Cannot read table '%1': %2").arg(tableName_, query.lastError().text()));
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        fields_ << record.fieldName(i);
    while (query.next()) {
        QVector<QVariant> row(fields_.size());
        for (int i = 0; i < fields_.size(); ++i)
            row[i] = query.value(i);
        rows_.push_back(std::move(row));
    }
}

int TDataTable::FieldIndex(const QString& name) const
{
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TDataTable::RequiredFieldIndex(const QString& name) const
{
    const int index = FieldIndex(name);
    if (index < 0)
        throw Exception(QStringLiteral("Field '%1' not found in table '%2'").arg(name, tableName_));
    return index;
}

void TDataTable::RequireFields(const QStringList& names) const
{
    for (const QString& name : names)
        RequiredFieldIndex(name);
}

bool TDataTable::Matches(const QVariant& field, const QVariant& wanted)
{
    if (field.isNull() || wanted.isNull())
        return field.isNull() && wanted.isNull();
    if (wanted.typeId() == QMetaType::Bool)
        return field.toBool() == wanted.toBool();
    if (IsNumber(wanted) && IsNumber(field))
        return field.toDouble() == wanted.toDouble();
    return field.toString() == wanted.toString();
}

bool TDataTable::Locate(const QString& keyFields, const QVariantList& values)
{
    const QStringList names = keyFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (names.size() != values.size())
        throw Exception(QStringLiteral("Locate on table '%1': %2 fields but %3 values")
                            .arg(tableName_)
                            .arg(names.size())
                            .arg(values.size()));
    QVector<int> columns;
    for (const QString& name : names)
        columns << RequiredFieldIndex(name.trimmed());
    for (int r = 0; r < rows_.size(); ++r) {
        bool all = true;
        for (int k = 0; k < columns.size() && all; ++k)
            all = Matches(rows_[r][columns[k]], values[k]);
        if (all) {
            current_ = r;
            return true;
        }
    }
    return false;
}

QVariant TDataTable::FieldByName(const QString& name) const
{
    const int column = RequiredFieldIndex(name);
    if (current_ < 0)
        return QVariant();
    return rows_[current_][column];
}
