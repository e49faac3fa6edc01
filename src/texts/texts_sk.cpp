// The texts in Slovak, the program's first language. The main window's and
// its status bar's texts have no marks where the window never had them: its
// bitmap font lacks them outside Central European Windows.

#include "texts/texts.h"

namespace dozorik {

namespace {

constexpr TextEntry kSlovak[] = {
    // The main window.
    {Text::ProgramName, "Dozorik"},
    {Text::Caption, "Dozorik   =Bystro="},
    {Text::CaptionWatching, "Dozorik   =Bystro=   Pracujem"},
    {Text::LoadShown, "CPU % {1}"},
    {Text::StartHint, "Spusti"},
    {Text::ThresholdScale, "<10    20   30    40    50    60   70    80 %"},
    {Text::WhatThen, "  Co robit potom ...  "},
    {Text::TakeScreenshot, "Aktivuj Screenshot"},
    {Text::ViewScreenshots, "View Screenshots"},
    {Text::SaveToHint, "Save To:    {1}"},
    {Text::CallWhenDone, "Ked skonci zavolaj :"},
    {Text::SecondsUnit, "s"},
    {Text::LaunchFile, "Spustit súbor"},
    {Text::ChooseButton, "..."},
    {Text::ParameterArrows, "==> Parameter ==>"},
    {Text::Sleep, "Uspat pocitac"},
    {Text::Restart, "Restartovat pocitac"},
    {Text::ShutDown, "Vypnut pocitac"},
    {Text::Beep, "Beep"},
    {Text::ArmAtStart, "Po starte Windows aktivuj Dozorika"},
    {Text::LaunchAtStart, "Po starte Windows  spusti program..."},
    {Text::Parameter, "Parameter"},
    {Text::ParameterHint, "Pre VirtualDub(Mod) JOBLIST použi   /r"},
    {Text::LogFile, "LogFile"},
    {Text::TextLogKind, "txt"},
    {Text::SpreadsheetLogKind, "xls"},
    {Text::ViewLogFile, "View LogFile"},
    {Text::CheckForUpdateHint, "Zisti novú verziu..."},
    {Text::CountdownHint, "Odpocítavanie..."},
    {Text::VersionUnknown, "nedef"},
    {Text::Version, "Ruvo ({1})"},
    {Text::MoreSettingsMenu, "Ďalšie nastavenia..."},
    {Text::HelpPage, "navodhtm.htm"},

    // The file dialogs.
    {Text::LaunchDialogTitle, "Vyber subor na spustenie, ked nastane udalost..."},
    {Text::LaunchDialogFilter,
     "Všetky súbory|*.*|MPEG, AVI,MP?|*.m2p;*.avi;*.mp?;*.m2v|WAV|*.wav|"
     "EXE,COM,BAT,CMD |*.exe;*.com;*.bat;*.cmd"},
    {Text::ProgramDialogTitle, "Spustitelné súbory..."},
    {Text::ProgramDialogFilter, "Spustitelne subory|*.exe;*.com;*.bat;*.cmd"},
    {Text::PictureDialogTitle, "Vyber  obrazok pre zobrazenie..."},
    {Text::PictureDialogFilter, "Bitmaps (*.bmp)|*.bmp"},
    {Text::LogDialogTitle, "Otvor logovací súbor..."},
    {Text::LogDialogFilter,
     "txt-log;  xls-log|dozorik.log;dozorik.xls|Excel|dozorik.xls|Text|dozorik.log"},

    // The status bar.
    {Text::WaitBelow, "Cakaj na vytazenost CPU pod: {1} %"},
    {Text::WaitFirstAbove, "Najprv cakam na zataz CPU od: {1} %"},
    {Text::RecordsElsewhere, "Zaznamy su v %LOCALAPPDATA%\\Dozorik"},
    {Text::MessageNotSentStatus, "Sprava neodoslana: {1}"},
    {Text::SleepCancelled, "Uspanie pocitaca zrusene"},
    {Text::ShutDownCancelled, "Vypnutie pocitaca zrusene"},
    {Text::RestartCancelled, "Restart pocitaca zruseny"},
    {Text::LaunchFailed, "Spustenie zlyhalo: {1}"},
    {Text::SleepFailed, "Uspanie zlyhalo: {1}"},
    {Text::HibernationFailed, "Hibernacia zlyhala: {1}"},
    {Text::ShutDownFailed, "Vypnutie zlyhalo: {1}"},
    {Text::RestartFailed, "Restart zlyhal: {1}"},
    {Text::DisplayOff, "Displej vypnuty: pocitac zaspi sam"},
    {Text::HeldByGpu, "Este pracuje: GPU {1}"},
    {Text::HeldByDisk, "Este pracuje: disk {1}"},
    {Text::HeldByNetwork, "Este pracuje: siet {1}"},
    {Text::HeldByProgram, "Este pracuje: {1}"},
    {Text::HeldByUnknownProgram, "Este pracuje: program {1}"},
    {Text::NoReading, "(bez udajov)"},

    // Message boxes.
    {Text::Warning, "Warning"},
    {Text::Confirm, "Confirm"},
    {Text::RegistryWriteFailed, "Chyba pri zápise do registra!!!({1})"},
    {Text::RunOnceWriteFailed, "Chyba pri zápise do registra({1})!!!"},
    {Text::RunOnceReadFailed, "Chyba pri citani z registra(142)!!!"},
    {Text::ProgramPathTooLong,
     "Cesta k programu Dozorik je dlhšia, ako Windows po štarte spustí (najviac 260 znakov). "
     "Dozorik sa po štarte Windows neaktivuje; presuňte ho do priečinka s kratšou cestou."},
    {Text::StartCommandTooLong,
     "Príkaz po štarte Windows je dlhší ako 260 znakov a Windows by ho nespustil, preto nebol "
     "uložený. Skráťte cestu k programu alebo parameter."},
    {Text::UncleanEnd, "Program nebol naposledy korektne ukončený !"},
    {Text::UpdateCheckFailed, "Kontrola neúspesná !"},
    {Text::UpdateServerUnreachable, "Neuspesne spojenie so serverom !({1})"},
    {Text::NoNewerVersion, "Novsia verzia zatial neexistuje :-)"},
    {Text::NewerVersionFound, "Bola najdena novsia verzia ({1}).  Stiahnut ?"},
    {Text::PhoneNumberTooLong, "Telefónne číslo je príliš dlhé: najviac {1} znakov."},

    // The countdown window.
    {Text::SleepsIn, "Počítač sa uspí o"},
    {Text::ShutsDownIn, "Počítač sa vypne o"},
    {Text::RestartsIn, "Počítač sa reštartuje o"},
    {Text::SecondsLeft, "{1} s"},
    {Text::Now, "Teraz"},

    // The options window.
    {Text::Ok, "OK"},
    {Text::Cancel, "Zrušiť"},
    {Text::OptionsCaption, "Ďalšie nastavenia"},
    {Text::WatchPage, "Stráženie"},
    {Text::KeepAwakeLabel, "Nenechať počítač zaspať:"},
    {Text::KeepAwakeNo, "nie"},
    {Text::KeepAwakeSystem, "áno"},
    {Text::KeepAwakeDisplay, "áno, aj displej"},
    {Text::KeepAwakeText, "Kým sa stráži, zvoní či odpočítava, Windows počítač neuspí."},
    {Text::DisplayText, "Notebook s Modern Standby na batérii drží len „aj displej\"."},
    {Text::QuietTicksLabel, "Tiché tiky do konca stráženia:"},
    {Text::QuietTicksText, "25 až 3000 tikov po 200 ms; 250 tikov je 50 sekúnd."},
    {Text::SpikesLabel, "Prepáčené výkyvy:"},
    {Text::SpikesText, "Toľko tikov nad hranicou za sebou ticho nepreruší (0 až 50)."},
    {Text::BusyFirst, "Najprv záťaž"},
    {Text::BusyFirstText, "Tiché tiky sa rátajú až po 10 tikoch nad hranicou za sebou."},
    {Text::BusiestProcessor, "Najvyťaženejší procesor"},
    {Text::BusiestProcessorText, "Záťaž najvyťaženejšieho procesora namiesto celkovej."},
    {Text::LanguageGroup, "Jazyk"},
    {Text::LanguageSlovak, "slovenčina"},
    {Text::LanguageEnglish, "English"},
    {Text::LanguageText, "Jazyk sa zmení pri ďalšom spustení Dozorika."},
    {Text::EndPage, "Koniec"},
    {Text::CountdownLabel, "Odpočítavanie pred uspaním, vypnutím a reštartom:"},
    {Text::CountdownText, "0 až 600 sekúnd, počas ktorých sa dá zrušiť; 0 koná hneď."},
    {Text::Hibernate, "Hibernácia namiesto uspania"},
    {Text::HibernateText, "Uspanie uloží prácu na disk a počítač sa celkom vypne."},
    {Text::HibernationOff, "Hibernácia nie je zapnutá (zapne ju powercfg /hibernate on)."},
    {Text::ForceExit, "Vynútiť vypnutie a reštart"},
    {Text::ForceExitText, "Programy sa zatvoria aj s neuloženou prácou, ktorá sa stratí."},
    {Text::SignalsPage, "Signály"},
    {Text::SignalsText, "Stráži sa, kým je nad hranicou procesor alebo zapnutý signál."},
    {Text::GpuLabel, "Grafická karta (%, 0 = vypnuté):"},
    {Text::GpuText, "Najvyťaženejší engine karty, aj kódovanie videa (NVENC, Quick Sync)."},
    {Text::DiskLabel, "Disky (MB/s, 0 = vypnuté):"},
    {Text::DiskText, "Čítanie a zápis všetkých diskov; zapisuje aj Windows sám."},
    {Text::NetworkLabel, "Sieť (kB/s, 0 = vypnuté):"},
    {Text::NetworkText, "Sieťové karty, nie virtuálne; sťahujú aj aktualizácie Windows."},
    {Text::ProgramLabel, "Programy, kým niektorý beží (názvy oddelené ;):"},
    {Text::ProgramText, "Napríklad ffmpeg.exe;HandBrakeCLI.exe; stačí názov, bez cesty."},
    {Text::GpuUnavailable,
     "Windows neposkytuje údaje o grafickej karte (až od Windows 10 verzie 1709)."},
    {Text::DiskUnavailable, "Windows neposkytuje údaje o prenose z diskov."},
    {Text::NetworkUnavailable, "Windows neposkytuje údaje o prenose cez sieťové karty."},
    {Text::ProgramsUnavailable, "Windows neposkytuje zoznam bežiacich programov."},
    {Text::MessagePage, "Správa"},
    {Text::MessageLabel, "Správa na telefón, adresa http:// alebo https:// (prázdna = žiadna):"},
    {Text::MessageFormLabel, "Spôsob:"},
    {Text::FormNtfy, "ntfy"},
    {Text::FormJson, "JSON (Discord, Slack)"},
    {Text::FormTelegram, "Telegram"},
    {Text::FormText, "text"},
    {Text::MessageText, "Odíde pred akciou na konci, ktorá naň čaká najviac 10 s."},
    {Text::SecretText, "Adresa sa nikde nezapisuje, ani do záznamov, ani do stavového riadka."},
    {Text::TestMessage, "Poslať skúšobnú správu"},
    {Text::Sending, "Posiela sa..."},

    // The message to the phone.
    {Text::MessageFrom, "Dozorik na {1}: "},
    {Text::MessageFromNoName, "Dozorik: "},
    {Text::WatchEnded, "{1}úloha skončila o {2} (záťaž pod {3} % {4}). Akcia: {5}."},
    {Text::ActionFailed, "{1}akcia {2} zlyhala o {3}{4}."},
    {Text::TestMessageText, "{1}skúšobná správa o {2}."},
    {Text::DecimalMark, ","},
    {Text::LaunchingTheFile, "spustenie súboru"},
    {Text::PuttingToSleep, "uspanie počítača"},
    {Text::ShuttingDown, "vypnutie počítača"},
    {Text::Restarting, "reštart počítača"},
    {Text::Beeping, "pípnutie"},
    {Text::MessageSent, "Správa odoslaná (HTTP {1})."},
    {Text::MessageNotSent, "Správa neodoslaná: {1}."},
    {Text::HttpStatus, "HTTP {1}"},
    {Text::NoAnswerWithin, "server neodpovedal do {1} s"},
    {Text::StillSending, "iná správa sa ešte odosiela"},
    {Text::InvalidAddress, "neplatná adresa"},
    {Text::ServerNotFound, "server sa nenašiel"},
    {Text::ConnectionRefused, "spojenie odmietnuté"},
    {Text::ConnectionLost, "spojenie sa prerušilo"},
    {Text::SecureChannelFailed, "zabezpečené spojenie (TLS) zlyhalo"},
    {Text::CertificateUntrusted, "certifikát servera nie je dôveryhodný"},
    {Text::CertificateExpired, "certifikát servera nie je v platnosti"},
    {Text::CertificateWrongName, "certifikát patrí inému serveru"},
    {Text::CertificateRevoked, "certifikát servera bol odvolaný"},
    {Text::CertificateInvalid, "certifikát servera je neplatný"},
    {Text::RedirectRefused, "presmerovanie odmietnuté"},
    {Text::ConnectionError, "chyba spojenia (kód {1})"},
    {Text::AddressMissing, "Adresa pre správy nie je zadaná."},
    {Text::AddressNotHttp, "Adresa pre správy musí začínať na http:// alebo https://."},
    {Text::AddressBlanks, "Adresa pre správy nesmie obsahovať medzery ani riadiace znaky."},
    {Text::AddressLogin, "Adresa pre správy nesmie obsahovať meno ani heslo (časť pred @)."},
    {Text::AddressNoServer, "V adrese pre správy chýba názov servera."},
    {Text::AddressBadServer, "Názov servera v adrese pre správy obsahuje nepovolené znaky."},
    {Text::AddressBadPort, "Port v adrese pre správy musí byť číslo od 1 do 65535."},

    // The command line.
    {Text::Usage,
     "Použitie: dozorik.exe [prepínače]\n"
     "\n"
     "/prah N – hranica vyťaženia procesora v %: 10, 20, 30 … 80\n"
     "/akcia A – čo urobiť na konci: spustit, uspat, vypnut, restart alebo beep\n"
     "/subor CESTA – súbor, ktorý akcia spustit otvorí\n"
     "/parameter TEXT – jeho parameter, najviac 40 znakov\n"
     "/tikov N – tiché tiky do konca stráženia: 25 až 3000 (tik je 200 ms)\n"
     "/odpocet N – sekundy odpočítavania pred uspaním, vypnutím a reštartom: 0 až 600\n"
     "/program MENÁ – stráži, kým beží niektorý z programov (mená oddelené ;)\n"
     "/zrus – zastaví stráženie alebo zruší odpočítavanie\n"
     "/r – začne stráženie, keď sú ostatné prepínače nastavené\n"
     "/? – tento návod\n"
     "\n"
     "Namiesto / môže byť -, na veľkosti písmen nezáleží. Hodnotu s medzerami dajte do "
     "úvodzoviek. Nastavenia sa ukážu v okne a uložia ako každá iná zmena. Ak Dozorik "
     "už beží, prepínače prevezme on a druhý sa neotvorí.\n"
     "\n"
     "Po kódovaní v dávkovom súbore:\n"
     "    ffmpeg -i film.avi film.mp4\n"
     "    dozorik.exe /akcia vypnut /odpocet 60 /r\n"
     "\n"
     "Čakať, kým beží program:\n"
     "    start \"\" ffmpeg -i film.avi film.mp4\n"
     "    dozorik.exe /program ffmpeg.exe /akcia uspat /r"},
    {Text::UnknownSwitch, "Neznámy prepínač „{1}“."},
    {Text::SwitchTwice, "Prepínač {1} je zadaný dvakrát."},
    {Text::SwitchWithoutValue, "Prepínaču {1} chýba hodnota."},
    {Text::SwitchBadValue, "Prepínač {1} nepozná hodnotu „{2}“: {3}."},
    {Text::ThresholdValues, "môže byť 10, 20, 30 … 80"},
    {Text::ActionValues, "môže byť spustit, uspat, vypnut, restart alebo beep"},
    {Text::ParameterValues, "môže mať najviac 40 znakov"},
    {Text::QuietTicksValues, "môže byť 25 až 3000"},
    {Text::CountdownValues, "môže byť 0 až 600"},
    {Text::ProgramValues, "môže mať najviac 1000 znakov"},
    {Text::SwitchesRefused, "Dozorik, ktorý už beží, tieto prepínače neprijal."},
    {Text::RunningDoesNotAnswer,
     "Dozorik už beží, ale neodpovedá, a prepínače neprevzal. Ak ukazuje okno so správou, "
     "zatvorte ho; ak beží ako správca, spustite ako správca aj tento príkaz."},

    {Text::AwakeReason, "Dozorik: stráži dlhú úlohu a nechá počítač bežať do jej konca."},
};
static_assert(inIdOrder(kSlovak), "every text once, in the order of the ids");

}  // namespace

const TextEntry* slovakTable() { return kSlovak; }

}  // namespace dozorik
