# A configuration without "Main Class": message 210 on standard output,
# nothing on standard error, exit code -1.
INI=$'[Application]\r\nFailure Check=Yes\r\n[Java Runtime Environment]\r\nMinimum Version=1.5\r\n'
EXPECTED_STDOUT=$'Error: Main class was not specified in INI file. \n'
EXPECTED_EXIT=255
