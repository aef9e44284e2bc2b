@echo off
rem What a support engineer would otherwise run: the tool's keys, one query each.
reg query "HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\AcroRd32.exe" /v Path >nul 2>&1
reg query "HKLM\SOFTWARE\Classes\.pdf" /ve >nul 2>&1
reg query "HKLM\Software\Microsoft\DataAccess" /v FullInstallVer >nul 2>&1
reg query "HKLM\Software\Microsoft\DataAccess" /v Version >nul 2>&1
reg query "HKLM\SOFTWARE\Sorvendal\IBM JRE\1.3.0" /v JrePath >nul 2>&1
reg query "HKLM\Software\Microsoft\Internet Explorer" /v Version >nul 2>&1
reg query "HKLM\SOFTWARE\Microsoft\Net Framework Setup\NDP\v2.0.50727" >nul 2>&1
reg query "HKLM\SOFTWARE\Microsoft\Net Framework Setup\NDP\v4\Full" /v Release >nul 2>&1
