object F: TFuzzForm
  OnClick = Nothing
end
