// placeholder until the first shell source lands
