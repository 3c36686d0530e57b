object GraphForm: TForm
  BorderStyle = bsNone
  Caption = 'GraphForm'
  ClientHeight = 518
  ClientWidth = 396
  Position = poScreenCenter
  object LCDPanel: TPanel
    Left = 172
    Top = 250
    Width = 85
    Height = 37
    BevelOuter = bvNone
    BevelWidth = 2
    Color = $00C000
    Caption = 'LCDPanel'
    Alignment = taRightJustify
  end
  object UpDownTimer: TTimer
    Interval = 100
  end
end
