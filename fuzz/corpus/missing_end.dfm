object P: TPanel
  object L: TLabel
    Caption = 'x'
