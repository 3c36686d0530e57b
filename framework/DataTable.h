#pragma once
// TDataTable: a database table read through QtSql, with the classic
// record-navigation access a component needs: locate the first record whose
// fields equal given values, then read its fields by name. The rows are read
// once when the table is opened and kept in table order.
// Field names are compared without regard to case, as the classic layer does;
// a missing table or field is an Exception naming it.

#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class TDataTable {
public:
    TDataTable(const QSqlDatabase& database, const QString& tableName);

    const QString& TableName() const { return tableName_; }
    int RecordCount() const { return int(rows_.size()); }
    // Index of the current record, -1 before the first successful locate.
    int RecNo() const { return current_; }

    bool HasField(const QString& name) const { return FieldIndex(name) >= 0; }
    // Throws for the first of the names the table lacks.
    void RequireFields(const QStringList& names) const;

    // Makes the first record whose fields (";"-separated names) equal the
    // values current; values compare exactly (case-sensitive text, booleans
    // by truth, numbers by value). Returns whether one was found.
    bool Locate(const QString& keyFields, const QVariantList& values);
    // The field of the current record; a null value when there is none.
    QVariant FieldByName(const QString& name) const;

private:
    int FieldIndex(const QString& name) const;
    int RequiredFieldIndex(const QString& name) const;
    void Load(const QSqlDatabase& database);
    static bool Matches(const QVariant& field, const QVariant& wanted);

    QString tableName_;
    QStringList fields_;
    QVector<QVector<QVariant>> rows_;
    int current_ = -1;
};
