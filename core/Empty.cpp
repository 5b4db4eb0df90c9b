// placeholder until the first core source lands
