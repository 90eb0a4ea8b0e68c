<html>
<head><title>Brimcor</title></head>
<body>
  <p><a HREF="/whatsnew/pressreleases/default.asp">Press releases</a></p>
  <!-- SpotLight -->
  <div class="spotlight">
    <b><font color="red">Syncrest: the summer price list is out</font></b>
    <a HREF="/whatsnew/pressreleases/viewpressrelease.asp?id=115&langid=1">Read more</a>
  </div>
  <!-- End SpotLight -->
  <p>Brimcor makes transmission line, antennas and the accessories that hold them up.</p>
</body>
</html>
