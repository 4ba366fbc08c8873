# A configuration with a main class but no runtime anywhere, and nobody to
# ask: the launch ends with -1 and prints nothing.
INI=$'[Java Runtime Environment]\r\nMain Class=example.Hello\r\nMinimum Version=1.5\r\n'
ARGS=(a "b c")
EXPECTED_STDOUT=""
EXPECTED_EXIT=255
