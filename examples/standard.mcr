Ombrix standard symbol library.
Every symbol is drawn around its origin (100, 100), with its pins on the left and right
(or top and bottom) at a distance of 8 units, so that symbols line up on an 8-unit grid.
Lines before the first block, like these, are never read as drawing.
{ 1 resistor
[1] Resistor
LI 92 100 95 100
RV 95 98 105 102
LI 105 100 108 100
{ 2 capacitor
[2] Capacitor
LI 92 100 99 100
LI 99 96 99 104
LI 101 96 101 104
LI 101 100 108 100
{ 3 electrolytic capacitor
[3] Electrolytic capacitor
LI 92 100 99 100
RP 98 96 99 104
BE 102 96 101 98 101 102 102 104
LI 101 100 108 100
LI 95 96 97 96
LI 96 95 96 97
{ 4 diode
[4] Diode
LI 92 100 97 100
PP 97 96 97 104 103 100 0 0
LI 103 96 103 104
LI 103 100 108 100
{ 5 light-emitting diode
[5] LED
LI 92 100 97 100
PV 97 96 97 104 103 100 0 0
LI 103 96 103 104
LI 103 100 108 100
LI 100 95 103 92
LI 102 96 105 93
SA 103 92
SA 105 93
{ 6 npn transistor: base left, collector up, emitter down
[6] NPN transistor
EV 93 93 107 107
LI 92 100 98 100
LI 98 95 98 105
LI 98 97 104 93
LI 104 93 104 92
LI 98 103 104 107
LI 104 107 104 108
PP 104 107 101 106 103 104 0 0
{ 7 pnp transistor
[7] PNP transistor
EV 93 93 107 107
LI 92 100 98 100
LI 98 95 98 105
LI 98 97 104 93
LI 104 93 104 92
LI 98 103 104 107
LI 104 107 104 108
PP 98 103 101 103 100 105 0 0
{ 8 ground: pin at the top
[8] Ground
LI 100 92 100 100
LI 95 100 105 100
LI 97 102 103 102
LI 99 104 101 104
{ 9 supply rail: pin at the bottom
[9] Supply
LI 100 108 100 100
LI 95 100 105 100
TY 97 93 0 0 0 0 0 0 +V
{ 10 operational amplifier: inputs left, output right
[10] Op-amp
PV 94 92 94 108 106 100 0 0
LI 92 96 94 96
LI 92 104 94 104
LI 106 100 108 100
LI 95 96 97 96
LI 95 104 97 104
LI 96 103 96 105
{ 11 switch
[11] Switch
LI 92 100 96 100
SA 96 100
LI 96 100 103 96
SA 104 100
LI 104 100 108 100
{ 12 lamp
[12] Lamp
LI 92 100 96 100
EV 96 96 104 104
LI 97 97 103 103
LI 97 103 103 97
LI 104 100 108 100
{ 13 inductor
[13] Inductor
LI 92 100 94 100
BE 94 100 94 96 98 96 98 100
BE 98 100 98 96 102 96 102 100
BE 102 100 102 96 106 96 106 100
LI 106 100 108 100
{ 14 fuse
[14] Fuse
LI 92 100 95 100
RV 95 98 105 102
LI 95 100 105 100
LI 105 100 108 100
{ 15 battery: long plate is the positive one
[15] Battery
LI 92 100 98 100
LI 98 95 98 105
RP 101 97 102 103
LI 102 100 108 100
{ 16 junction dot
[16] Junction
SA 100 100
{ 17 terminal
[17] Terminal
EV 98 98 102 102
LI 102 100 108 100
{ 18 antenna: pin at the bottom
[18] Antenna
LI 100 108 100 94
LI 95 92 100 98
LI 105 92 100 98
LI 95 92 105 92
{ 19 test point with its own label, placed text turns with the symbol's anchor
[19] Test point
LI 92 100 98 100
EP 98 98 102 102
TE 99 94 TP
{ end of the library
