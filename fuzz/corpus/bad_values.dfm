object P: TPanel
  Color = {0102}
  Align = alNowhere
end
