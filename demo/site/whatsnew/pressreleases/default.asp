<html>
<head><title>Brimcor - Press Releases</title></head>
<body>
  <h1>Press Releases</h1>
  <p><a HREF="/home/default.asp">Home</a> | <a HREF="default.asp?langid=2">Fran&ccedil;ais</a></p>
  <table>
      <tr><td class="date">118</td><td><a HREF=viewpressrelease.asp?id=118&langid=1>Brimcor opens a second cable plant in Halvard County</a></td></tr>
      <tr><td class="date">117</td><td><a HREF="viewpressrelease.asp?id=117&langid=1" class="story">Klemmit cushion clamps now cover 1-1/4 in. and 1-5/8 in. foam lines</a></td></tr>
      <tr><td class="date">116</td><td><a HREF="viewpressrelease.asp?id=116&langid=1">New 7/8 in. low-loss foam line rated to 2700 MHz</a></td></tr>
      <tr><td class="date">116</td><td><a HREF="viewpressrelease.asp?id=116&langid=2">Nouvelle ligne en mousse 7/8 po</a></td></tr>
      <tr><td class="date">115</td><td><a HREF=viewpressrelease.asp?id=115&langid=1>Syncrest brings same-day prices to every Brimcor program</a></td></tr>
      <tr><td class="date">114</td><td><a HREF="viewpressrelease.asp?id=114&langid=1" class="story">Brimcor waveguide chosen for the Northfold microwave backbone</a></td></tr>
      <tr><td class="date">113</td><td><a HREF="viewpressrelease.asp?id=113&langid=1">Stackor stacking kits: six runs on one ladder rung</a></td></tr>
      <tr><td class="date">112</td><td><a HREF=viewpressrelease.asp?id=112&langid=1>Tavrolin plans a feeder run in five pages</a></td></tr>
      <tr><td class="date">111</td><td><a HREF="viewpressrelease.asp?id=111&langid=1" class="story">Quarter-wave surge protectors for the 4.3-10 interface</a></td></tr>
      <tr><td class="date">110</td><td><a HREF="viewpressrelease.asp?id=110&langid=1">Brimcor names new head of field engineering</a></td></tr>
      <tr><td class="date">109</td><td><a HREF=viewpressrelease.asp?id=109&langid=1>Cold-shrink weatherproofing kits replace connector boots</a></td></tr>
      <tr><td class="date">108</td><td><a HREF="viewpressrelease.asp?id=108&langid=1" class="story">Latchor snap-in hangers pass the 150 mph wind test</a></td></tr>
      <tr><td class="date">107</td><td><a HREF="viewpressrelease.asp?id=107&langid=1">Brimcor at the Regional Tower Builders' Fair, booth 214</a></td></tr>
  </table>
</body>
</html>
