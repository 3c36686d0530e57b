#include "framework/StreamParser.h"

#include "framework/StreamError.h"

TStreamObject TStreamParser::Parse(const QString& text, const QString& source)
{
    TStreamLexer lexer(text, source);
    if (lexer.Current().Kind == TStreamLexer::Eof)
        lexer.Fail(lexer.Line(), QStringLiteral("empty window description, expected 'object'"));
    TStreamParser parser(lexer);
    if (!parser.AtObjectStart())
        parser.Unexpected(QStringLiteral("'object'"));
    TStreamObject root = parser.ParseObject(0);
    if (lexer.Current().Kind != TStreamLexer::Eof)
        parser.Unexpected(QStringLiteral("the end of the description"));
    return root;
}

TStreamValue TStreamParser::ParseValue(const QString& text, const QString& source)
{
    TStreamLexer lexer(text, source);
    TStreamParser parser(lexer);
    TStreamValue value = parser.ParseAnyValue(0);
    if (lexer.Current().Kind != TStreamLexer::Eof)
        parser.Unexpected(QStringLiteral("the end of the value"));
    return value;
}

void TStreamParser::Unexpected(const QString& expected) const
{
    const auto& t = lex_.Current();
    const QString found = t.Kind == TStreamLexer::Eof
        ? QStringLiteral("the end of the file")
        : TStreamError::Quote(t.Kind == TStreamLexer::String ? QLatin1Char('\'') + t.Text + QLatin1Char('\'') : t.Text);
    lex_.Fail(t.Line, QStringLiteral("expected %1 but found %2").arg(expected, found));
}

bool TStreamParser::AtObjectStart() const
{
    return lex_.IsKeyword("object") || lex_.IsKeyword("inherited") || lex_.IsKeyword("inline");
}

QString TStreamParser::ExpectIdentifier(const QString& what)
{
    if (lex_.Current().Kind != TStreamLexer::Identifier)
        Unexpected(what);
    QString name = lex_.Current().Text;
    lex_.Next();
    return name;
}

TStreamObject TStreamParser::ParseObject(int depth)
{
    TStreamObject object;
    object.Line = lex_.Line();
    if (depth >= MaxDepth)
        lex_.Fail(object.Line, QStringLiteral("objects nested too deeply at %1").arg(TStreamError::Quote(lex_.Current().Text)));
    lex_.Next(); // object / inherited / inline
    ParseObjectHeader(object);
    // Properties come first, then the children, as the writer puts them.
    while (lex_.Current().Kind == TStreamLexer::Identifier && !AtObjectStart() && !lex_.IsKeyword("end"))
        object.Assignments.push_back(ParseAssignment(depth));
    while (AtObjectStart())
        object.Children.push_back(ParseObject(depth + 1));
    if (lex_.Current().Kind == TStreamLexer::Eof)
        lex_.Fail(lex_.Line(), QStringLiteral("missing 'end' of object %1 (opened on line %2)")
                                   .arg(TStreamError::Quote(object.Name.isEmpty() ? object.ClassName : object.Name))
                                   .arg(object.Line));
    if (!lex_.IsKeyword("end"))
        Unexpected(QStringLiteral("'end' of object %1").arg(TStreamError::Quote(object.Name.isEmpty() ? object.ClassName : object.Name)));
    lex_.Next();
    return object;
}

// Name: TClass, or TClass alone; an optional [index] after it is accepted and ignored.
void TStreamParser::ParseObjectHeader(TStreamObject& object)
{
    const QString first = ExpectIdentifier(QStringLiteral("a component name"));
    if (lex_.IsSymbol(':')) {
        lex_.Next();
        object.Name = first;
        object.ClassName = ExpectIdentifier(QStringLiteral("a class name after ':'"));
    } else {
        object.ClassName = first;
    }
    if (lex_.IsSymbol('[')) {
        lex_.Next();
        if (lex_.Current().Kind != TStreamLexer::Integer)
            Unexpected(QStringLiteral("an index"));
        lex_.Next();
        if (!lex_.IsSymbol(']'))
            Unexpected(QStringLiteral("']'"));
        lex_.Next();
    }
}

TStreamAssignment TStreamParser::ParseAssignment(int depth)
{
    TStreamAssignment a;
    a.Line = lex_.Line();
    a.Name = lex_.Current().Text;
    lex_.Next();
    if (!lex_.IsSymbol('='))
        Unexpected(QStringLiteral("'=' after %1").arg(TStreamError::Quote(a.Name)));
    lex_.Next();
    a.Value = ParseAnyValue(depth);
    return a;
}

TStreamValue TStreamParser::ParseAnyValue(int depth)
{
    if (lex_.IsSymbol('['))
        return ParseSet();
    if (lex_.IsSymbol('('))
        return ParseList();
    if (lex_.IsSymbol('<'))
        return ParseCollection(depth);
    if (lex_.IsSymbol('{')) {
        TStreamValue v;
        v.ValueKind = TStreamValue::Binary;
        v.Line = lex_.Line();
        v.Bytes = lex_.ReadBinary();
        return v;
    }
    return ParseScalar();
}

TStreamValue TStreamParser::ParseScalar()
{
    const auto& t = lex_.Current();
    TStreamValue v;
    v.Line = t.Line;
    v.Text = t.Text;
    switch (t.Kind) {
    case TStreamLexer::String: return ParseString();
    case TStreamLexer::Integer:
        v.ValueKind = TStreamValue::Integer;
        v.IntegerValue = t.IntegerValue;
        break;
    case TStreamLexer::Float:
        v.ValueKind = TStreamValue::Float;
        v.FloatValue = t.FloatValue;
        break;
    case TStreamLexer::Identifier: v.ValueKind = TStreamValue::Identifier; break;
    default: Unexpected(QStringLiteral("a value"));
    }
    lex_.Next();
    return v;
}

// 'first part' +
//   'second part'
TStreamValue TStreamParser::ParseString()
{
    TStreamValue v;
    v.ValueKind = TStreamValue::String;
    v.Line = lex_.Line();
    v.Text = lex_.Current().Text;
    lex_.Next();
    while (lex_.IsSymbol('+')) {
        lex_.Next();
        if (lex_.Current().Kind != TStreamLexer::String)
            Unexpected(QStringLiteral("a string after '+'"));
        v.Text += lex_.Current().Text;
        lex_.Next();
    }
    return v;
}

TStreamValue TStreamParser::ParseSet()
{
    TStreamValue v;
    v.ValueKind = TStreamValue::Set;
    v.Line = lex_.Line();
    lex_.Next(); // [
    if (lex_.IsSymbol(']')) {
        lex_.Next();
        return v;
    }
    for (;;) {
        v.Names.append(ExpectIdentifier(QStringLiteral("a set element")));
        if (lex_.IsSymbol(']'))
            break;
        if (!lex_.IsSymbol(','))
            Unexpected(QStringLiteral("',' or ']' in a set"));
        lex_.Next();
    }
    lex_.Next();
    return v;
}

TStreamValue TStreamParser::ParseList()
{
    TStreamValue v;
    v.ValueKind = TStreamValue::List;
    v.Line = lex_.Line();
    lex_.Next(); // (
    while (!lex_.IsSymbol(')')) {
        if (lex_.Current().Kind == TStreamLexer::Eof)
            lex_.Fail(v.Line, QStringLiteral("unterminated list '('"));
        v.Items.push_back(ParseScalar());
    }
    lex_.Next();
    return v;
}

TStreamValue TStreamParser::ParseCollection(int depth)
{
    TStreamValue v;
    v.ValueKind = TStreamValue::Collection;
    v.Line = lex_.Line();
    if (depth >= MaxDepth)
        lex_.Fail(v.Line, QStringLiteral("collections nested too deeply at '<'"));
    lex_.Next(); // <
    while (!lex_.IsSymbol('>')) {
        if (lex_.Current().Kind == TStreamLexer::Eof)
            lex_.Fail(v.Line, QStringLiteral("unterminated collection '<'"));
        if (!lex_.IsKeyword("item"))
            Unexpected(QStringLiteral("'item' or '>'"));
        TStreamItem item;
        item.Line = lex_.Line();
        lex_.Next();
        while (lex_.Current().Kind == TStreamLexer::Identifier && !lex_.IsKeyword("end"))
            item.Assignments.push_back(ParseAssignment(depth + 1));
        if (!lex_.IsKeyword("end"))
            Unexpected(QStringLiteral("'end' of the item opened on line %1").arg(item.Line));
        lex_.Next();
        v.CollectionItems.push_back(std::move(item));
    }
    lex_.Next();
    return v;
}
