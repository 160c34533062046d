#pragma once

// Each runs one QtTest class and returns its number of failures.
int runHostTests(int argc, char* argv[]);
int runInstanceLockTests(int argc, char* argv[]);
int runWidgetsTests(int argc, char* argv[]);
int runChoiceWheelTests(int argc, char* argv[]);
int runMainWindowTests(int argc, char* argv[]);
int runCalculatorTests(int argc, char* argv[]);
int runNumberSheetsTests(int argc, char* argv[]);
int runOptionSheetViewTests(int argc, char* argv[]);
int runToolsTests(int argc, char* argv[]);
int runWholeTestWindowTests(int argc, char* argv[]);
int runSoundTests(int argc, char* argv[]);
int runHelpTests(int argc, char* argv[]);
int runResultWindowTests(int argc, char* argv[]);
int runCertificateTests(int argc, char* argv[]);
int runResultsFolderTests(int argc, char* argv[]);
int runResultStoreTests(int argc, char* argv[]);
