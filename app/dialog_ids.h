// Dialogs of the saver and their controls, shared by the resource script and the code (so
// plain defines: the resource compiler reads this file too).
#pragma once

#define IDD_SETTINGS 106
#define IDC_DISPLAY_SETTINGS 1006
#define IDC_SOUND_SETTINGS 1007
#define IDC_WEBSITE 1017
#define IDC_PICTURE_POSITION 1023

#define IDD_SOUND 2214
#define IDC_VOLUME 1021
#define IDC_MUTE 1022

#define IDD_DISPLAY_SINGLE 200
#define IDD_DISPLAY_MULTIPLE 201
#define IDC_MONITOR_TABS 2000
#define IDC_TAB_LABEL_FORMAT 2001
#define IDC_ADAPTER_NAME 2002
#define IDC_RENDERING_TEXT 2003
#define IDC_MONITOR_HELP 2004
#define IDC_DISABLE_HARDWARE 2005
#define IDC_USAGE_GROUP 2006
#define IDC_SHOW_SAVER 2007
#define IDC_LEAVE_BLACK 2008
#define IDC_MODE_GROUP 2009
#define IDC_MODE_LABEL 2010
#define IDC_MODE_LIST 2011
#define IDC_AUTOMATIC_TEXT 2012
#define IDC_MODE_NOTE 2013
#define IDC_DUAL_GROUP 2014
#define IDC_REVERSE_ORDER 2015
#define IDC_MODE_FORMAT 2016
