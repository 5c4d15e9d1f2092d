/* The numbers of the program's menu commands, of the controls of its dialog templates and of
   the files built into it, shared by resources/zorvi.rc and the code (shell/commands.h,
   chemistry/element_windows.h, app/built_in_files.h).
   Plain #defines: the resource compiler reads this file too. */
#ifndef ZORVI_RESOURCE_IDS_H
#define ZORVI_RESOURCE_IDS_H

/* Menu "MENU": commands of the main window. */
#define IDM_EXIT 2
#define IDM_SAVE 102
#define IDM_EDIT_PRINT 103
#define IDM_RESET 104
#define IDM_OPEN_BATCH 105
#define IDM_SAVE_BATCH 106
#define IDM_VERSIONS 107
#define IDM_MOODLE 108
#define IDM_ASK_CONFIRMATION 401
#define IDM_HINTS 402
#define IDM_DECIMAL_COMMA 403
#define IDM_SIGNIFICANT_FIGURES 404
#define IDM_ATOMIC_MASSES 600
#define IDM_ELEMENTS 601
#define IDM_INFO 901
#define IDM_ABOUT 902
/* "Temas": topic n is command IDM_FIRST_TOPIC + n, up to IDM_LAST_TOPIC. */
#define IDM_FIRST_TOPIC 200
#define IDM_LAST_TOPIC 299

/* Dialog "ELEMENTS": the list of atomic masses. */
#define IDC_MASS_LIST 101

/* Dialog "EDELEMENTS": the element editor. */
#define IDC_ELEMENT_LIST 100
#define IDC_ELEMENT_NAME 120
#define IDC_ELEMENT_SYMBOL 121
#define IDC_ELEMENT_MASS 122
#define IDC_ELEMENT_Z 123
#define IDC_ELEMENT_ACCEPT 3
#define IDC_ELEMENT_NEW 4

/* RCDATA: the files built into the program for a program copied alone. */
#define IDR_DEFAULT_ELEMENTS 1001
#define IDR_HELP_DOCUMENT 1002

#endif
