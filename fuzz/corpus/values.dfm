object P: TPanel
  Tag = $7FFFFFFF
  Hint = #$41#66'c'
  Cursor = crHandPoint
end
