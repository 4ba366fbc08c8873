# The same packed launcher with a wrong Upgrade Code in its ini behaves as
# unpacked: the ini names no main class, so message 210.
EMBEDDED=$'[Java Runtime Environment]\r\nMain Class=example.Hello\r\n'
INI=$'[Product Information]\r\nUpgrade Code={00000000-0000-0000-0000-000000000000}\r\n'
EXPECTED_STDOUT=$'Error: Main class was not specified in INI file. \n'
EXPECTED_EXIT=255
