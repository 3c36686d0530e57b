#pragma once
// Splits the text of a window description into tokens: identifiers (dotted
// names included), integers (decimal, negative, $hex), floats, strings
// ('...' with '' for a quote and #nnn for a character code, fragments joined
// when adjacent), single-character symbols, and on request the hex body of a
// binary value. Every token knows its line for error messages.

#include <QString>

class TStreamLexer {
public:
    enum TokenKind { Eof, Identifier, Integer, Float, String, Symbol };
    struct Token {
        TokenKind Kind = Eof;
        QString Text; // identifier, string contents, number or symbol as written
        qint64 IntegerValue = 0;
        double FloatValue = 0;
        int Line = 1;
    };

    TStreamLexer(QString text, QString source);

    const Token& Current() const { return token_; }
    void Next();
    // True when the current token is the symbol c.
    bool IsSymbol(char c) const;
    // True when the current token is the identifier word, ignoring case.
    bool IsKeyword(const char* word) const;

    // Reads the hex digits of a binary value up to its closing brace (the
    // opening brace is the current token) and moves to the token after it.
    QByteArray ReadBinary();

    int Line() const { return token_.Line; }
    [[noreturn]] void Fail(int line, const QString& message) const;

private:
    QChar Peek(qsizetype ahead = 0) const;
    void SkipSpace();
    void Advance();
    void ReadIdentifier();
    void ReadNumber();
    void ReadHexNumber(bool negative);
    void ReadDecimalNumber(bool negative);
    void ReadString();
    void ReadQuoted(QString& out);
    void ReadCharCode(QString& out);

    QString text_;
    QString source_;
    qsizetype pos_ = 0;
    int line_ = 1;
    Token token_;
};
