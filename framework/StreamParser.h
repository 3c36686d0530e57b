#pragma once
// Parses the text of a window description into a TStreamObject tree:
//   object Name: TClass        (also "inherited"/"inline", or "object TClass")
//     Prop = value
//     Record.Prop = value
//     object Child: TClass ... end
//   end
// Values: integers, floats, strings (joined with +), identifiers, sets [a, b],
// lists ( ... ), binary { hex }, collections < item ... end >.
// Any syntax fault throws EReadError naming the source, line and word, before
// a single component exists.

#include "framework/StreamLexer.h"
#include "framework/StreamTree.h"

class TStreamParser {
public:
    static TStreamObject Parse(const QString& text, const QString& source);
    // A single value, as declared defaults are written ("10", "clBtnFace", "[fsBold]").
    static TStreamValue ParseValue(const QString& text, const QString& source);

    // Deeper nesting than this is refused rather than risking the stack.
    static constexpr int MaxDepth = 64;

private:
    explicit TStreamParser(TStreamLexer& lexer) : lex_(lexer) {}

    TStreamObject ParseObject(int depth);
    void ParseObjectHeader(TStreamObject& object);
    TStreamAssignment ParseAssignment(int depth);
    TStreamValue ParseAnyValue(int depth);
    TStreamValue ParseScalar();
    TStreamValue ParseString();
    TStreamValue ParseSet();
    TStreamValue ParseList();
    TStreamValue ParseCollection(int depth);
    bool AtObjectStart() const;
    QString ExpectIdentifier(const QString& what);
    [[noreturn]] void Unexpected(const QString& expected) const;

    TStreamLexer& lex_;
};
