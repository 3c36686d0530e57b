#pragma once
// A fresh demo for each test: its own empty settings folder (XDG_CONFIG_HOME),
// the main window and the front panel created in the program's order and
// destroyed in the reverse order.

#include "app/GraphForm.h"
#include "app/MainForm.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class TImage;

class DemoFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates both windows (settings are read here); shown = runs the show events.
    void StartDemo(bool shown = false);
    // Destroys both windows (settings are written here).
    void CloseDemo();

    // The settings key, read and written directly.
    bool StoredExists(const QString& name) const;
    qint32 StoredInteger(const QString& name) const;
    bool StoredIsInteger(const QString& name) const;
    void StoreInteger(const QString& name, qint32 value) const;
    void StoreString(const QString& name, const QString& value) const;

    // A real mouse press and release on a key picture of the panel.
    static void Press(TImage* key);
    static void Release(TImage* key);
    // Runs the diagram's paint, and with it the control law and the status event.
    void PaintDiagram() const;

    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TGraphForm> graphForm;

private:
    QTemporaryDir config_;
    QByteArray previousConfig_;
};
