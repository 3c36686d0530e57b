object MainForm: TMainForm
  Left = 418
  Top = 20
  BorderIcons = []
  BorderStyle = bsToolWindow
  Caption = 'DEMO QUIL COMPUTER'
  ClientHeight = 561
  ClientWidth = 507
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnDestroy = FormDestroy
  OnShow = FormShow
  object TopPanel: TPanel
    Left = 0
    Top = 0
    Width = 507
    Height = 73
    Align = alTop
    TabOrder = 0
    object CloseButton: TSpeedButton
      Left = 392
      Top = 8
      Width = 55
      Height = 55
      Caption = 'CLOSE'
      Flat = True
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      Glyph = 'CLOSEGLYPH'
      Layout = blGlyphTop
      ParentFont = False
      OnClick = CloseButtonClick
    end
    object Image5: TImage
      Left = 48
      Top = 24
      Width = 126
      Height = 28
      AutoSize = True
    end
  end
  object Diagram: TLvdVentDiagram
    Left = 9
    Top = 76
    Width = 489
    Height = 297
    DiagramSettings.ShowPointValues = True
    DiagramSettings.ShowSymbols = True
    DiagramSettings.MaxXValue = 500
    DiagramSettings.MaxYValue = 100
    Setpoints.MinAlarm = 100
    Setpoints.MaxAlarm = 360
    Setpoints.Bandbreedte = 60
    Setpoints.StreefTemp = 185
    Setpoints.VerwarmVerschil = 30
    Setpoints.MengAbsoluut = 0
    Setpoints.MengVerschil = 0
    GemetenTemperatuur = 203
    VentilatieStand = 37
    OnStatusChanged = DiagramStatusChanged
  end
  object Panel1: TPanel
    Left = 9
    Top = 380
    Width = 489
    Height = 177
    TabOrder = 2
    object vrThermoMeter: TvrThermoMeter
      Left = 78
      Top = 11
      Width = 89
      Height = 153
      ColorAfter = clBtnFace
      Scale.Color = clBlack
      Scale.FormatText = '%s'
      Scale.Offset = 20
      Scale.HeightMax = 14
      Scale.HeightMin = 8
      SetPoint.Visible = False
      PeakMin.Visible = False
      PeakMax.Visible = False
      Value.Shape = voLine
      Value.Color = clAqua
      Value.Visible = False
      Caption = 'vrThermoMeter'
      Color = clBtnFace
      Font.Color = clBlack
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object MaxAlarmOn: TImage
      Left = 16
      Top = 36
      Width = 73
      Height = 25
      Picture = 'MAXALARMPIC'
      Transparent = True
      Visible = False
    end
    object KoelingOn: TImage
      Left = 26
      Top = 68
      Width = 33
      Height = 33
      Picture = 'SNOWFLAKE'
      Transparent = True
    end
    object VerwarmingOn: TImage
      Left = 32
      Top = 72
      Width = 33
      Height = 33
      Picture = 'FLAME'
      Transparent = True
      Visible = False
    end
    object MinAlarmOn: TImage
      Left = 16
      Top = 112
      Width = 65
      Height = 25
      Picture = 'MINALARMPIC'
      Transparent = True
      Visible = False
    end
    object LCD991: TLCD99
      Left = 168
      Top = 48
      Width = 121
      Height = 84
      Animation = anDown
      Color = clBtnFace
      DigitNum = 3
      OffColor = clBtnFace
      OnColor = clBlack
      SegmentSize = 9
      Value = '23.9'
    end
    object GSpin1: TGSpin
      Left = 296
      Top = 40
      Width = 65
      Height = 100
      Speed = 10
      Value = 100
      Max = 500
      TabStop = True
      TabOrder = 0
      ParentCtl3D = False
      OnUpClick = GSpin1UpClick
      OnDownClick = GSpin1DownClick
    end
    object GroupBox1: TGroupBox
      Left = 368
      Top = 8
      Width = 113
      Height = 161
      Caption = 'Options'
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
      TabOrder = 1
      object Image1: TImage
        Left = 26
        Top = 28
        Width = 25
        Height = 25
        Picture = 'FLAME'
        Transparent = True
      end
      object Image2: TImage
        Left = 19
        Top = 119
        Width = 33
        Height = 33
        Picture = 'SNOWFLAKE'
        Transparent = True
      end
      object Image3: TImage
        Left = 59
        Top = 23
        Width = 33
        Height = 33
        Picture = 'FANICON'
        Transparent = True
      end
      object Image4: TImage
        Left = 57
        Top = 119
        Width = 33
        Height = 33
        Picture = 'HEATER'
        Transparent = True
      end
      object VrRocker1: TVrRocker
        Left = 23
        Top = 58
        Width = 25
        Height = 57
        ShadowColor = clBtnShadow
        ShadowLightColor = clBtnFace
        HighlightColor = clBtnHighlight
        State = stUpperDown
        Style = rsSwitch
        TabOrder = 0
        OnUpperClick = VrRocker1UpperClick
        OnLowerClick = VrRocker1LowerClick
      end
      object VrRocker2: TVrRocker
        Left = 63
        Top = 58
        Width = 25
        Height = 57
        ShadowColor = clBtnShadow
        ShadowLightColor = clBtnFace
        HighlightColor = clBtnHighlight
        State = stUpperDown
        Style = rsSwitch
        TabOrder = 1
        OnUpperClick = VrRocker2UpperClick
        OnLowerClick = VrRocker2LowerClick
      end
    end
  end
end
