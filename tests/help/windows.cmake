# Tests of the help box (filled in with the window tests).
