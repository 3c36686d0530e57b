#pragma once
// Non-visual components that want the classic loading protocol implement this
// beside QObject: the window-description reader calls BeginLoading before it
// sets their properties and EndLoading (which should call their Loaded step)
// once the whole description is read. Controls get the same calls through
// TControl without implementing anything.

class TStreamable {
public:
    virtual ~TStreamable() = default;
    virtual void BeginLoading() = 0;
    virtual void EndLoading() = 0;
};
