// Resource and command numbers of the framework tests.
#pragma once

#define IDR_TESTFRAME 200
#define ID_TEST_DOCUMENT_AND_FRAME 40001
#define ID_TEST_FRAME_ONLY 40002
#define ID_TEST_APP_ONLY 40003
#define ID_TEST_VIEW_ONLY 40004
#define ID_TEST_DISABLED_BY_UPDATE 40005
#define ID_TEST_NO_HANDLER 40006
#define ID_TEST_CHECKED_BY_UPDATE 40007
