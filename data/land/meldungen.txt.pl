Rozk³ad wylosowanych liczb
Losowania
Œrednia QS
Rozk³ad Reintegro
Szukanie w bazie danych
Od ilu trafieñ zg³aszaæ trafienie?
Trafienie w losowaniu z dnia
- szukaæ dalej?
Zak³ad znaleziony w bazie danych
Pary
³¹cznie
Trójki
Numer losu
Rozk³ad sum (QS)
œrednia QS
Czwórki
&Zatrzymaj obliczenia
Obliczanie puli liczb:
czêste pary
czêste trójki
czêste czwórki
zaleg³e liczby
liczby s¹siednie ostatniego losowania
Obliczanie zak³adów ...
Zak³ad
Osi¹gniêto limit przebiegów - nie wszystkie zak³ady uda³o siê obliczyæ
Obliczanie zak³adów zakoñczone
Proszê czekaæ ...
Zaleg³oœæ liczb (losowania od ostatniego wyst¹pienia)
Czêstoœæ liczb w zak³adach
Wpisz szczêœliw¹ liczbê
Wartoœæ pocz¹tkowa generatora liczb losowych
Szczêœliwa liczba
Ocena parametrów: trafienia na losowanie    sob/nd    inne dni
Ocena zosta³a przerwana z powodu b³êdu.
Uwaga
Które liczby do obliczeñ
Drukuj kupon / wyœlij zak³ady online
Zaleg³oœæ Reintegro
Od ilu trafieñ zg³aszaæ powtórzenie?
Powtórzenia: trafienia z wczeœniejszymi losowaniami
Trafienia w nastêpnym losowaniu
Trafienia w drugim nastêpnym losowaniu
Trafienia w trzecim nastêpnym losowaniu
Liczby pierwsze na zak³ad w
wylosowanych liczb to liczby pierwsze
Liczby nieparzyste na zak³ad w
wylosowanych liczb jest nieparzystych
Liczby parzyste na zak³ad w
wylosowanych liczb jest parzystych
Usun¹æ wszystkie niezablokowane zak³ady?
Usuñ zak³ady
Tak
Nie
Wpisz numer losu
nie mo¿na zapisaæ.
najmniejsza wartoœæ
najwiêksza wartoœæ
Wpisz poprawn¹ datê od 17.10.1985
W archiwum nie ma jeszcze losowañ
Wczytaæ teraz losowania z listy wyników (CSV)?
Pobraæ teraz losowania z serwera losowañ?
Wpisz liczbê ca³kowit¹ od 1 do 99999999
Aktualizacja zatrzymana: pobrano losowañ: %1
Losowañ: %1
1 losowanie
nic nietypowego
brakuje: %1
dni losowañ: %1 (od %2)
b³êdnych rekordów: %1 (razoz-cli archive check)
ostatnie losowanie %1 - proszê zaktualizowaæ
&Zatrzymaj analizê
Nie wczytano ¿adnych losowañ. Wczytaj listê wyników (CSV, strona Datenbank) lub podaj inny serwer na stronie Internet-Optionen.
Wczytaj losowania z pliku CSV
Lista wyników (*.csv)|*.csv
Dodano losowañ: %1, zast¹piono: %2; losowañ w archiwum: %3.
Losowania ró¿ni¹ce siê od archiwum (%1): %2
