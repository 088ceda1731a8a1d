# (preferred-language list and font resolution go here)
