object MainForm: TFuzzForm
  Left = 418
  Top = 20
  BorderIcons = []
  BorderStyle = bsToolWindow
  Caption = 'DEMO QUIL COMPUTER'
  ClientHeight = 561
  ClientWidth = 507
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnClose = Closing
  object TopPanel: TPanel
    Left = 0
    Top = 0
    Width = 507
    Height = 73
    Align = alTop
    object CloseButton: TSpeedButton
      Left = 392
      Top = 8
      Width = 55
      Height = 55
      Caption = 'CLOSE'
      Flat = True
      Font.Style = [fsBold]
      Layout = blGlyphTop
      OnClick = Clicked
    end
  end
  object Panel1: TPanel
    Left = 9
    Top = 380
    Width = 489
    Height = 177
    BevelOuter = bvLowered
    object MaxAlarmOn: TImage
      Left = 16
      Top = 36
      Width = 73
      Height = 25
      Transparent = True
      Visible = False
      OnMouseDown = MouseDown
    end
    object GroupBox1: TGroupBox
      Left = 368
      Top = 8
      Width = 113
      Height = 161
      Caption = 'Options'
      Font.Style = [fsBold]
      object Label1: TLabel
        Caption = 'it''s'#13#10'two' +
          ' lines'
        Transparent = True
      end
    end
  end
  object ButtonTimer: TTimer
    Enabled = False
    Interval = 5000
    OnTimer = Ticked
  end
end
