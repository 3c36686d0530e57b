object P: TPanel
  Caption = 'open
end
