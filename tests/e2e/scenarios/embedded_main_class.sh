# A packed launcher whose main class is only in its embedded configuration:
# the ini beside it holds the Upgrade Code alone, and no message 210 comes.
# No runtime is found, so the launch still ends with -1, silently.
EMBEDDED=$'[Java Runtime Environment]\r\nMain Class=example.Hello\r\n'
INI=$'[Product Information]\r\nUpgrade Code={5C7E1D2A-0B3F-4A68-9E21-7D4C3B2A1F60}\r\n'
EXPECTED_STDOUT=""
EXPECTED_EXIT=255
